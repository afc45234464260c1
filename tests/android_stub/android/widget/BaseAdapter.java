package android.widget;

public abstract class BaseAdapter implements ListAdapter, SpinnerAdapter {
    public BaseAdapter() { throw new RuntimeException("Stub!"); }
}
