package android.widget;

import android.content.Context;
import android.graphics.Bitmap;
import android.view.View;

public class ImageView extends View {
    public ImageView(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public void setImageBitmap(Bitmap bm) { throw new RuntimeException("Stub!"); }
}
