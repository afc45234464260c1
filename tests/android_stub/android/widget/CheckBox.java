package android.widget;

import android.content.Context;

public class CheckBox extends CompoundButton {
    public CheckBox(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
