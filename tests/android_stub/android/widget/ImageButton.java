package android.widget;

import android.content.Context;

public class ImageButton extends ImageView {
    public ImageButton(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
