package android.app;

import android.content.Context;
import android.content.DialogInterface;

public class Dialog implements DialogInterface {
    public Dialog(Context context) { throw new RuntimeException("Stub!"); }

    public void setTitle(CharSequence title) { throw new RuntimeException("Stub!"); }
    public void setCancelable(boolean flag) { throw new RuntimeException("Stub!"); }
    public void show() { throw new RuntimeException("Stub!"); }
}
