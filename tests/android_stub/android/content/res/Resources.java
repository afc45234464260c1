package android.content.res;

import android.graphics.drawable.Drawable;

public class Resources {
    Resources() {}

    @Deprecated
    public Drawable getDrawable(int id) { throw new RuntimeException("Stub!"); }
}
