package android.widget;

import android.content.Context;
import android.view.View;
import android.view.ViewGroup;

public abstract class AdapterView<T extends Adapter> extends ViewGroup {
    public AdapterView(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public abstract void setAdapter(T adapter);
    public abstract T getAdapter();
    public void setOnItemClickListener(AdapterView.OnItemClickListener listener) { throw new RuntimeException("Stub!"); }
    public void setOnItemSelectedListener(AdapterView.OnItemSelectedListener listener) { throw new RuntimeException("Stub!"); }
    public final AdapterView.OnItemSelectedListener getOnItemSelectedListener() { throw new RuntimeException("Stub!"); }

    public interface OnItemClickListener {
        void onItemClick(AdapterView<?> parent, View view, int position, long id);
    }

    public interface OnItemSelectedListener {
        void onItemSelected(AdapterView<?> parent, View view, int position, long id);
        void onNothingSelected(AdapterView<?> parent);
    }
}
