package android.widget;

import android.content.Context;

public class Toast {
    public static final int LENGTH_SHORT = 0;
    public static final int LENGTH_LONG = 1;

    public Toast(Context context) { throw new RuntimeException("Stub!"); }

    public static Toast makeText(Context context, CharSequence text, int duration) { throw new RuntimeException("Stub!"); }
    public void show() { throw new RuntimeException("Stub!"); }
}
