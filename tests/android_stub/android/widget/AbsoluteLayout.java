package android.widget;

import android.content.Context;
import android.view.ViewGroup;

public class AbsoluteLayout extends ViewGroup {
    public AbsoluteLayout(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
