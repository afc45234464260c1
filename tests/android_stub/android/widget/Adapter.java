package android.widget;

public interface Adapter {
}
