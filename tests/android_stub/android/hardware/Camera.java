package android.hardware;

@Deprecated
public class Camera {
    Camera() {}

    public static Camera open() { throw new RuntimeException("Stub!"); }
    public Camera.Parameters getParameters() { throw new RuntimeException("Stub!"); }
    public void setParameters(Camera.Parameters params) { throw new RuntimeException("Stub!"); }
    public final void startPreview() { throw new RuntimeException("Stub!"); }
    public final void stopPreview() { throw new RuntimeException("Stub!"); }

    public class Parameters {
        public static final String FLASH_MODE_OFF = "off";
        public static final String FLASH_MODE_TORCH = "torch";

        Parameters() {}

        public void setFlashMode(String value) { throw new RuntimeException("Stub!"); }
        public String getFlashMode() { throw new RuntimeException("Stub!"); }
    }
}
