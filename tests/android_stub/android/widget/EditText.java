package android.widget;

import android.content.Context;
import android.text.Editable;

public class EditText extends TextView {
    public EditText(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public Editable getText() { throw new RuntimeException("Stub!"); }
}
