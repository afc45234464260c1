package android.net.wifi;

public class WifiManager {
    public static final int WIFI_STATE_ENABLED = 3;

    WifiManager() {}

    public int getWifiState() { throw new RuntimeException("Stub!"); }
    @Deprecated
    public boolean setWifiEnabled(boolean enabled) { throw new RuntimeException("Stub!"); }
}
