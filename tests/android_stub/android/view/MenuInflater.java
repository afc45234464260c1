package android.view;

import android.content.Context;

public class MenuInflater {
    public MenuInflater(Context context) { throw new RuntimeException("Stub!"); }

    public void inflate(int menuRes, Menu menu) { throw new RuntimeException("Stub!"); }
}
