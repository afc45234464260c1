package android.widget;

import android.content.Context;

public class TabWidget extends LinearLayout {
    public TabWidget(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
