package android.view;

public interface WindowManager {
    @Deprecated
    Display getDefaultDisplay();

    class LayoutParams {
        public static final int FLAG_FULLSCREEN = 0x00000400;

        public LayoutParams() { throw new RuntimeException("Stub!"); }
    }
}
