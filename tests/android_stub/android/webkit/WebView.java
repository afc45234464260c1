package android.webkit;

import android.content.Context;
import android.widget.AbsoluteLayout;

public class WebView extends AbsoluteLayout {
    public WebView(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public WebSettings getSettings() { throw new RuntimeException("Stub!"); }
    public void loadUrl(String url) { throw new RuntimeException("Stub!"); }
}
