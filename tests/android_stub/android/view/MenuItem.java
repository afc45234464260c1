package android.view;

public interface MenuItem {
    int getItemId();
}
