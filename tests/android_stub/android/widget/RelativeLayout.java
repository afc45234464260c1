package android.widget;

import android.content.Context;
import android.view.ViewGroup;

public class RelativeLayout extends ViewGroup {
    public RelativeLayout(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
