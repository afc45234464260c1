package android.content.res;

public final class AssetManager {
    AssetManager() {}
}
