package android.widget;

import android.content.Context;

public class ArrayAdapter<T> extends BaseAdapter {
    public ArrayAdapter(Context context, int resource, T[] objects) { throw new RuntimeException("Stub!"); }

    public void setDropDownViewResource(int resource) { throw new RuntimeException("Stub!"); }
}
