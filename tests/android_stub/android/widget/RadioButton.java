package android.widget;

import android.content.Context;

public class RadioButton extends CompoundButton {
    public RadioButton(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
