package android.widget;

import android.content.Context;
import android.net.Uri;
import android.view.SurfaceView;

public class VideoView extends SurfaceView {
    public VideoView(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public void setVideoURI(Uri uri) { throw new RuntimeException("Stub!"); }
    public void start() { throw new RuntimeException("Stub!"); }
    public void stopPlayback() { throw new RuntimeException("Stub!"); }
    public boolean isPlaying() { throw new RuntimeException("Stub!"); }
}
