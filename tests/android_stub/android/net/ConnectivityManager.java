package android.net;

public class ConnectivityManager {
    ConnectivityManager() {}

    @Deprecated
    public NetworkInfo getActiveNetworkInfo() { throw new RuntimeException("Stub!"); }
}
