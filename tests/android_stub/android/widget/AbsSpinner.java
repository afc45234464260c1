package android.widget;

import android.content.Context;

public abstract class AbsSpinner extends AdapterView<SpinnerAdapter> {
    public AbsSpinner(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public void setAdapter(SpinnerAdapter adapter) { throw new RuntimeException("Stub!"); }
    public SpinnerAdapter getAdapter() { throw new RuntimeException("Stub!"); }
}
