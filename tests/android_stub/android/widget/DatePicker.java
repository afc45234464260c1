package android.widget;

import android.content.Context;

public class DatePicker extends FrameLayout {
    public DatePicker(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
