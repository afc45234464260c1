package android.widget;

import android.content.Context;
import android.view.View;

public class ProgressBar extends View {
    public ProgressBar(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
