package android.view;

import android.content.Context;

public class View {
    public View(Context context) { throw new RuntimeException("Stub!"); }

    public <T extends View> T findViewById(int id) { throw new RuntimeException("Stub!"); }
    public Context getContext() { throw new RuntimeException("Stub!"); }
    public void setOnClickListener(View.OnClickListener l) { throw new RuntimeException("Stub!"); }
    public final boolean requestFocus() { throw new RuntimeException("Stub!"); }
    public void clearFocus() { throw new RuntimeException("Stub!"); }

    public interface OnClickListener {
        void onClick(View v);
    }
}
