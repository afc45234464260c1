package android.telephony;

public class TelephonyManager {
    TelephonyManager() {}

    @Deprecated
    public String getDeviceId() { throw new RuntimeException("Stub!"); }
    public String getSimOperatorName() { throw new RuntimeException("Stub!"); }
    public String getSimCountryIso() { throw new RuntimeException("Stub!"); }
    public String getSimSerialNumber() { throw new RuntimeException("Stub!"); }
}
