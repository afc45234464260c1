package android.provider;

public final class MediaStore {
    public static final String ACTION_IMAGE_CAPTURE = "android.media.action.IMAGE_CAPTURE";

    public MediaStore() { throw new RuntimeException("Stub!"); }
}
