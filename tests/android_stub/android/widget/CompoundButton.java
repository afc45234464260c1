package android.widget;

import android.content.Context;

public abstract class CompoundButton extends Button {
    public CompoundButton(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
