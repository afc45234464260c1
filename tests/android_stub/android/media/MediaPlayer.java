package android.media;

import android.content.Context;

public class MediaPlayer {
    public MediaPlayer() { throw new RuntimeException("Stub!"); }

    public static MediaPlayer create(Context context, int resid) { throw new RuntimeException("Stub!"); }
    public void start() throws IllegalStateException { throw new RuntimeException("Stub!"); }
}
