package android.widget;

import android.content.Context;

public class Spinner extends AbsSpinner {
    public Spinner(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
