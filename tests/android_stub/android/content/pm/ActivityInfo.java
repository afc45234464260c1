package android.content.pm;

public class ActivityInfo {
    public static final int SCREEN_ORIENTATION_LANDSCAPE = 0;
    public static final int SCREEN_ORIENTATION_PORTRAIT = 1;

    public ActivityInfo() { throw new RuntimeException("Stub!"); }
}
