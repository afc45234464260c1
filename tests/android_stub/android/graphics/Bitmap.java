package android.graphics;

public final class Bitmap {
    Bitmap() {}
}
