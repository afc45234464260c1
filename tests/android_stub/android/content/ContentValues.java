package android.content;

public final class ContentValues {
    public ContentValues() { throw new RuntimeException("Stub!"); }

    public void put(String key, String value) { throw new RuntimeException("Stub!"); }
    public void put(String key, Integer value) { throw new RuntimeException("Stub!"); }
    public void put(String key, Long value) { throw new RuntimeException("Stub!"); }
    public void put(String key, Float value) { throw new RuntimeException("Stub!"); }
    public void put(String key, Double value) { throw new RuntimeException("Stub!"); }
    public void put(String key, Boolean value) { throw new RuntimeException("Stub!"); }
}
