package android.widget;

import android.content.Context;

public abstract class AbsListView extends AdapterView<ListAdapter> {
    public AbsListView(Context context) { super(context); throw new RuntimeException("Stub!"); }
}
