package android.os;

public class BaseBundle {
    BaseBundle() {}

    public Object get(String key) { throw new RuntimeException("Stub!"); }
}
