package android.webkit;

public abstract class WebSettings {
    WebSettings() {}

    public abstract void setJavaScriptEnabled(boolean flag);
    public abstract boolean getJavaScriptEnabled();
}
