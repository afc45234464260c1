package android.os;

public class Build {
    @Deprecated
    public static final String CPU_ABI = null;
    public static final String FINGERPRINT = null;
    public static final String MODEL = null;

    public Build() { throw new RuntimeException("Stub!"); }
}
