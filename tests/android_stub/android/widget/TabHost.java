package android.widget;

import android.content.Context;
import android.content.Intent;
import android.graphics.drawable.Drawable;

public class TabHost extends FrameLayout {
    public TabHost(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public TabHost.TabSpec newTabSpec(String tag) { throw new RuntimeException("Stub!"); }
    public void addTab(TabHost.TabSpec tabSpec) { throw new RuntimeException("Stub!"); }
    public int getCurrentTab() { throw new RuntimeException("Stub!"); }
    public void setCurrentTab(int index) { throw new RuntimeException("Stub!"); }

    public class TabSpec {
        TabSpec() {}

        public TabHost.TabSpec setIndicator(CharSequence label, Drawable icon) { throw new RuntimeException("Stub!"); }
        public TabHost.TabSpec setContent(Intent intent) { throw new RuntimeException("Stub!"); }
    }
}
