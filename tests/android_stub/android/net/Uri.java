package android.net;

public abstract class Uri {
    Uri() {}

    public static Uri parse(String uriString) { throw new RuntimeException("Stub!"); }
}
