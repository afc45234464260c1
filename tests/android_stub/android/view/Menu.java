package android.view;

public interface Menu {
}
