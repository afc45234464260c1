package android.os;

public final class Bundle extends BaseBundle {
    public Bundle() { throw new RuntimeException("Stub!"); }
}
