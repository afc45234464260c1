package android.net;

@Deprecated
public class NetworkInfo {
    NetworkInfo() {}

    @Deprecated
    public boolean isConnectedOrConnecting() { throw new RuntimeException("Stub!"); }
}
