package android.widget;

public interface SpinnerAdapter extends Adapter {
}
