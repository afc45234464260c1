package android.view;

import android.content.Context;

public abstract class Window {
    public static final int FEATURE_NO_TITLE = 1;

    public Window(Context context) { throw new RuntimeException("Stub!"); }

    public void setFlags(int flags, int mask) { throw new RuntimeException("Stub!"); }
}
