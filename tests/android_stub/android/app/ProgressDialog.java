package android.app;

import android.content.Context;

@Deprecated
public class ProgressDialog extends AlertDialog {
    public static final int STYLE_HORIZONTAL = 1;

    public ProgressDialog(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public static ProgressDialog show(Context context, CharSequence title, CharSequence message, boolean indeterminate, boolean cancelable) { throw new RuntimeException("Stub!"); }
    public void setMessage(CharSequence message) { throw new RuntimeException("Stub!"); }
    public void setProgressStyle(int style) { throw new RuntimeException("Stub!"); }
    public int getProgress() { throw new RuntimeException("Stub!"); }
    public void setProgress(int value) { throw new RuntimeException("Stub!"); }
    public int getMax() { throw new RuntimeException("Stub!"); }
    public void setMax(int max) { throw new RuntimeException("Stub!"); }
    public void incrementProgressBy(int diff) { throw new RuntimeException("Stub!"); }
}
