package android.widget;

public interface ListAdapter extends Adapter {
}
