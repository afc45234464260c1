package android.app;

import android.widget.TabHost;

@Deprecated
public class TabActivity extends ActivityGroup {
    public TabActivity() { throw new RuntimeException("Stub!"); }

    public TabHost getTabHost() { throw new RuntimeException("Stub!"); }
}
