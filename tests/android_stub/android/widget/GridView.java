package android.widget;

import android.content.Context;

public class GridView extends AbsListView {
    public GridView(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public void setAdapter(ListAdapter adapter) { throw new RuntimeException("Stub!"); }
    public ListAdapter getAdapter() { throw new RuntimeException("Stub!"); }
}
