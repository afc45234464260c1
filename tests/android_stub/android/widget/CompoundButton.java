package android.widget;

import android.content.Context;

public abstract class CompoundButton extends Button {
    public CompoundButton(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public void setChecked(boolean checked) { throw new RuntimeException("Stub!"); }
    public boolean isChecked() { throw new RuntimeException("Stub!"); }
}
