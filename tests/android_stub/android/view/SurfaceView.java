package android.view;

import android.content.Context;

public class SurfaceView extends View {
    public SurfaceView(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
