package android.widget;

import android.content.Context;

public class ToggleButton extends CompoundButton {
    public ToggleButton(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
