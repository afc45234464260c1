package android.content;

public final class ContentValues {
    public ContentValues() { throw new RuntimeException("Stub!"); }

    public void put(String key, String value) { throw new RuntimeException("Stub!"); }
}
