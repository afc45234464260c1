package android.widget;

import android.content.Context;
import android.view.ViewGroup;

public class LinearLayout extends ViewGroup {
    public LinearLayout(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
