package android.widget;

import android.content.Context;
import android.graphics.Typeface;
import android.text.TextWatcher;
import android.view.View;

public class TextView extends View {
    public TextView(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public final void setText(CharSequence text) { throw new RuntimeException("Stub!"); }
    public CharSequence getText() { throw new RuntimeException("Stub!"); }
    public void addTextChangedListener(TextWatcher watcher) { throw new RuntimeException("Stub!"); }
    public void setTypeface(Typeface tf) { throw new RuntimeException("Stub!"); }
    public Typeface getTypeface() { throw new RuntimeException("Stub!"); }
}
