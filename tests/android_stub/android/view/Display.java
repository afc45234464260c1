package android.view;

import android.util.DisplayMetrics;

public final class Display {
    Display() {}

    @Deprecated
    public void getMetrics(DisplayMetrics outMetrics) { throw new RuntimeException("Stub!"); }
}
