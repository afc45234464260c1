package android.util;

public class DisplayMetrics {
    public int heightPixels;
    public int widthPixels;

    public DisplayMetrics() { throw new RuntimeException("Stub!"); }
}
