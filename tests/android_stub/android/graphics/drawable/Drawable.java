package android.graphics.drawable;

public abstract class Drawable {
    public Drawable() { throw new RuntimeException("Stub!"); }
}
