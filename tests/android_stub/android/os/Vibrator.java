package android.os;

public abstract class Vibrator {
    Vibrator() {}

    @Deprecated
    public void vibrate(long milliseconds) { throw new RuntimeException("Stub!"); }
    @Deprecated
    public void vibrate(long[] pattern, int repeat) { throw new RuntimeException("Stub!"); }
    public abstract void cancel();
}
