package android.view;

import android.content.Context;

public abstract class ViewGroup extends View {
    public ViewGroup(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
