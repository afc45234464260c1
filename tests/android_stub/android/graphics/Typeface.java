package android.graphics;

import android.content.res.AssetManager;

public class Typeface {
    Typeface() {}

    public static Typeface createFromAsset(AssetManager mgr, String path) { throw new RuntimeException("Stub!"); }
}
