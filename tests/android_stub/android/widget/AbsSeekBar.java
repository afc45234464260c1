package android.widget;

import android.content.Context;

public abstract class AbsSeekBar extends ProgressBar {
    public AbsSeekBar(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
